object Form1: TForm1
  Left = 996
  Top = 304
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = #1055#1110#1076#1088#1072#1093#1091#1085#1086#1082' '#1089#1080#1084#1074#1086#1083#1110#1074' '#1091' '#1088#1103#1076#1082#1091
  ClientHeight = 337
  ClientWidth = 353
  Color = clSilver
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -19
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 23
  object btn1: TButton
    Left = 56
    Top = 288
    Width = 241
    Height = 33
    Caption = #1055#1091#1089#1082
    TabOrder = 0
    OnClick = btn1Click
  end
  object lbledt1: TLabeledEdit
    Left = 56
    Top = 112
    Width = 241
    Height = 31
    EditLabel.Width = 122
    EditLabel.Height = 23
    EditLabel.Caption = #1042#1074#1077#1076#1110#1090#1100' '#1088#1103#1076#1086#1082
    TabOrder = 1
  end
  object lbledt2: TLabeledEdit
    Left = 56
    Top = 176
    Width = 57
    Height = 31
    EditLabel.Width = 216
    EditLabel.Height = 23
    EditLabel.Caption = #1050#1110#1083#1100#1082#1110#1089#1090#1100' '#1089#1080#1084#1074#1086#1083#1110#1074' '#1076#1086' ";"'
    TabOrder = 2
  end
  object lbledt3: TLabeledEdit
    Left = 56
    Top = 240
    Width = 57
    Height = 31
    EditLabel.Width = 240
    EditLabel.Height = 23
    EditLabel.Caption = #1050#1110#1083#1100#1082#1110#1089#1090#1100' '#1089#1080#1084#1074#1086#1083#1110#1074' '#1087#1110#1089#1083#1103' ";"'
    TabOrder = 3
  end
  object mmo1: TMemo
    Left = 0
    Top = 0
    Width = 353
    Height = 81
    Lines.Strings = (
      '12. '#1059' '#1088#1103#1076#1082#1091' '#1108' '#1086#1076#1085#1072' '#1082#1088#1072#1087#1082#1072' '#1079' '#1082#1086#1084#1086#1102' (;). '
      #1055#1110#1076#1088#1072#1093#1091#1074#1072#1090#1080' '#1082#1110#1083#1100#1082#1110#1089#1090#1100' '#1089#1080#1084#1074#1086#1083#1110#1074' '#1076#1086' '
      #1082#1088#1072#1087#1082#1080' '#1079' '#1082#1086#1084#1086#1102' '#1110' '#1087#1110#1089#1083#1103' '#1085#1077#1111'.')
    TabOrder = 4
  end
end
