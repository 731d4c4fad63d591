object Form2: TForm2
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = #1063#1072#1090' - '#1041#1054#1058
  ClientHeight = 404
  ClientWidth = 689
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 13
  object Memo: TMemo
    Left = 8
    Top = 8
    Width = 673
    Height = 358
    ScrollBars = ssVertical
    TabOrder = 0
  end
  object Edit1: TEdit
    Left = 8
    Top = 375
    Width = 493
    Height = 21
    TabOrder = 1
  end
  object Button1: TButton
    Left = 507
    Top = 373
    Width = 93
    Height = 25
    Caption = #1054#1090#1087#1088#1072#1074#1080#1090#1100
    TabOrder = 2
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 606
    Top = 372
    Width = 75
    Height = 25
    Caption = #1058#1077#1089#1090
    TabOrder = 3
    OnClick = Button2Click
  end
end
