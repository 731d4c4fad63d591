object FormSelectColor: TFormSelectColor
  Left = 186
  Top = 201
  BorderStyle = bsNone
  Caption = 'Please select your player'#39's color'
  ClientHeight = 81
  ClientWidth = 802
  Color = clBtnFace
  Font.Charset = ANSI_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Courier New'
  Font.Style = []
  KeyPreview = True
  OldCreateOrder = False
  Position = poScreenCenter
  OnKeyDown = FormKeyDown
  PixelsPerInch = 96
  TextHeight = 14
  object PanelColors: TPanel
    Left = 0
    Top = 0
    Width = 802
    Height = 42
    Align = alTop
    TabOrder = 0
    object ImageColors: TImage
      Left = 1
      Top = 1
      Width = 800
      Height = 40
      Align = alClient
      AutoSize = True
      Picture.Data = {
        07544269746D617072000000424D720000000000000036000000280000001400
        00000100000001001800000000003C0000000000000000000000000000000000
        00000000FF003CFF0081FF00DAFF00FFB800FF6900FF2714FF0052FF009CFF00
        FFFF00FF9C00FF5200FF1400FF0027FF0069FF00B8DA00FF8100FF3C00FF}
      Stretch = True
    end
  end
  object Panel3: TPanel
    Left = 1
    Top = 41
    Width = 40
    Height = 40
    Caption = 'F1'
    TabOrder = 1
  end
  object Panel4: TPanel
    Left = 41
    Top = 41
    Width = 40
    Height = 40
    Caption = 'F2'
    TabOrder = 2
  end
  object Panel5: TPanel
    Left = 81
    Top = 41
    Width = 40
    Height = 40
    Caption = 'F3'
    TabOrder = 3
  end
  object Panel6: TPanel
    Left = 121
    Top = 41
    Width = 40
    Height = 40
    Caption = 'F4'
    TabOrder = 4
  end
  object Panel7: TPanel
    Left = 161
    Top = 41
    Width = 40
    Height = 40
    Caption = 'F5'
    TabOrder = 5
  end
  object Panel8: TPanel
    Left = 201
    Top = 41
    Width = 40
    Height = 40
    Caption = 'F6'
    TabOrder = 6
  end
  object Panel9: TPanel
    Left = 241
    Top = 41
    Width = 40
    Height = 40
    Caption = 'F7'
    TabOrder = 7
  end
  object Panel10: TPanel
    Left = 281
    Top = 41
    Width = 40
    Height = 40
    Caption = 'F8'
    TabOrder = 8
  end
  object Panel11: TPanel
    Left = 321
    Top = 41
    Width = 40
    Height = 40
    Caption = 'F9'
    TabOrder = 9
  end
  object Panel12: TPanel
    Left = 361
    Top = 41
    Width = 40
    Height = 40
    Caption = 'F10'
    TabOrder = 10
  end
  object Panel13: TPanel
    Left = 401
    Top = 41
    Width = 40
    Height = 40
    Caption = '1'
    TabOrder = 11
  end
  object Panel14: TPanel
    Left = 441
    Top = 41
    Width = 40
    Height = 40
    Caption = '2'
    TabOrder = 12
  end
  object Panel15: TPanel
    Left = 481
    Top = 41
    Width = 40
    Height = 40
    Caption = '3'
    TabOrder = 13
  end
  object Panel16: TPanel
    Left = 521
    Top = 41
    Width = 40
    Height = 40
    Caption = '4'
    TabOrder = 14
  end
  object Panel17: TPanel
    Left = 561
    Top = 41
    Width = 40
    Height = 40
    Caption = '5'
    TabOrder = 15
  end
  object Panel18: TPanel
    Left = 601
    Top = 41
    Width = 40
    Height = 40
    Caption = '6'
    TabOrder = 16
  end
  object Panel19: TPanel
    Left = 641
    Top = 41
    Width = 40
    Height = 40
    Caption = '7'
    TabOrder = 17
  end
  object Panel20: TPanel
    Left = 681
    Top = 41
    Width = 40
    Height = 40
    Caption = '8'
    TabOrder = 18
  end
  object Panel21: TPanel
    Left = 721
    Top = 41
    Width = 40
    Height = 40
    Caption = '9'
    TabOrder = 19
  end
  object Panel22: TPanel
    Left = 761
    Top = 41
    Width = 40
    Height = 40
    Caption = '0'
    TabOrder = 20
  end
end
