object Form1: TForm1
  Left = 940
  Top = 344
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = #1044#1085#1110' '#1090#1080#1078#1085#1103' 2 '#1074#1072#1088#1110#1072#1085#1090
  ClientHeight = 298
  ClientWidth = 402
  Color = clSilver
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
    Top = 152
    Width = 145
    Height = 33
    Caption = #1044#1085#1110' '#1090#1080#1078#1085#1103
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -27
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object lbl2: TLabel
    Left = 128
    Top = 200
    Width = 8
    Height = 33
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -27
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object edt1: TEdit
    Left = 8
    Top = 248
    Width = 49
    Height = 33
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -21
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    TabOrder = 0
  end
  object Button1: TButton
    Left = 72
    Top = 248
    Width = 321
    Height = 33
    Caption = #1055#1086#1096#1091#1082
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    TabOrder = 1
    OnClick = Button1Click
  end
  object mmo1: TMemo
    Left = 8
    Top = 8
    Width = 385
    Height = 129
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    Lines.Strings = (
      '12. '#1047#1072' '#1087#1077#1088#1096#1086#1102' '#1083#1110#1090#1077#1088#1086#1102' '#1074' '#1085#1072#1079#1074#1110' '#1076#1085#1103' '#1090#1080#1078#1085#1103' '
      #1074#1080#1074#1086#1076#1080#1090#1100' '#1085#1072' '#1077#1082#1088#1072#1085' '#1085#1072#1079#1074#1080' '#1074#1089#1110#1093' '#1076#1085#1110#1074' '
      #1090#1080#1078#1085#1103', '#1097#1086' '#1087#1086#1095#1080#1085#1072#1102#1090#1100#1089#1103' '#1079' '#1079#1072#1079#1085#1072#1095#1077#1085#1086#1111' '
      #1083#1110#1090#1077#1088#1080'. '#1052#1086#1078#1085#1072' '#1074#1074#1086#1076#1080#1090#1080' '#1103#1082' '#1084#1072#1083#1077#1085#1100#1082#1110', '#1090#1072#1082' '#1110' '
      #1074#1077#1083#1080#1082#1110' '#1091#1082#1088#1072#1111#1085#1089#1100#1082#1110' '#1083#1110#1090#1077#1088#1080'.')
    ParentFont = False
    TabOrder = 2
  end
end
