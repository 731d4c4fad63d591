object Form2: TForm2
  Left = 430
  Top = 220
  Align = alCustom
  BorderStyle = bsToolWindow
  Caption = #1055#1080#1090#1072#1085#1085#1103' 1'
  ClientHeight = 311
  ClientWidth = 534
  Color = clGradientActiveCaption
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object lbl1: TLabel
    Left = 128
    Top = 104
    Width = 294
    Height = 23
    Caption = #1042#1080' '#1079#1072#1076#1086#1074#1086#1083#1077#1085#1085#1110' '#1089#1074#1086#1108#1102' '#1079#1072#1088#1087#1083#1072#1090#1086#1102
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
  end
  object btn1: TButton
    Left = 176
    Top = 160
    Width = 75
    Height = 25
    Caption = #1058#1072#1082
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    TabOrder = 0
    OnClick = btn1Click
  end
  object btn2: TButton
    Left = 296
    Top = 160
    Width = 75
    Height = 25
    Caption = #1053#1110
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    TabOrder = 1
    OnMouseMove = btn2MouseMove
  end
end
