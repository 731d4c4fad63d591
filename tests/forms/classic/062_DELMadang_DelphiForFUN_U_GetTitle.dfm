object GetTitle: TGetTitle
  Left = 135
  Top = 108
  AutoScroll = False
  AutoSize = True
  Caption = 'Title'
  ClientHeight = 141
  ClientWidth = 336
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -14
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 120
  TextHeight = 16
  object TitleEdt: TEdit
    Left = 0
    Top = 0
    Width = 336
    Height = 21
    TabOrder = 0
  end
  object OKBtn: TBitBtn
    Left = 29
    Top = 89
    Width = 92
    Height = 31
    TabOrder = 1
    Kind = bkOK
  end
  object CancelBtn: TBitBtn
    Left = 187
    Top = 89
    Width = 92
    Height = 31
    TabOrder = 2
    Kind = bkCancel
  end
end
