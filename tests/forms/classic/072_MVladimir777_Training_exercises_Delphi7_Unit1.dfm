object Form1: TForm1
  Left = 926
  Top = 368
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = #1055#1086#1088#1110#1074#1085#1103#1085#1085#1103' '#1095#1080#1089#1077#1083' '#1040' '#1110' '#1042
  ClientHeight = 274
  ClientWidth = 425
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
    Left = 72
    Top = 120
    Width = 13
    Height = 25
    Caption = 'A'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -21
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
  end
  object lbl2: TLabel
    Left = 72
    Top = 168
    Width = 11
    Height = 23
    Caption = 'B'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
  end
  object lbl3: TLabel
    Left = 224
    Top = 120
    Width = 104
    Height = 23
    Caption = #1056#1077#1079#1091#1083#1100#1090#1072#1090' A'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
  end
  object lbl4: TLabel
    Left = 224
    Top = 168
    Width = 104
    Height = 23
    Caption = #1056#1077#1079#1091#1083#1100#1090#1072#1090' B'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
  end
  object btn1: TButton
    Left = 80
    Top = 224
    Width = 265
    Height = 33
    Caption = #1055#1091#1089#1082
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    TabOrder = 0
    OnClick = btn1Click
  end
  object edt1: TEdit
    Left = 96
    Top = 120
    Width = 113
    Height = 26
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -15
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    TabOrder = 1
  end
  object edt2: TEdit
    Left = 96
    Top = 168
    Width = 113
    Height = 26
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -15
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    TabOrder = 2
  end
  object Memo1: TMemo
    Left = 0
    Top = 0
    Width = 425
    Height = 105
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    Lines.Strings = (
      '12. '#1044#1072#1085#1086' '#1076#1074#1110' '#1079#1084#1110#1085#1085#1110' '#1094#1110#1083#1086#1075#1086' '#1090#1080#1087#1091' '#1040' '#1110' '#1042'. '#1071#1082#1097#1086' '#1111#1093' '
      #1079#1085#1072#1095#1077#1085#1085#1103' '#1085#1077' '#1088#1110#1074#1085#1110', '#1090#1086' '#1087#1088#1080#1089#1074#1086#1111#1090#1080' '#1082#1086#1078#1085#1110#1081' '
      #1079#1084#1110#1085#1085#1086#1111' '#1084#1072#1082#1089#1080#1084#1072#1083#1100#1085#1077' '#1079' '#1094#1080#1093' '#1079#1085#1072#1095#1077#1085#1100', '#1072' '#1103#1082#1097#1086' '
      #1088#1110#1074#1085#1110', '#1090#1086' '#1087#1088#1080#1089#1074#1086#1111#1090#1080' '#1079#1084#1110#1085#1085#1080#1084' '#1085#1091#1083#1100#1086#1074#1110' '#1079#1085#1072#1095#1077#1085#1085#1103'.')
    ParentFont = False
    TabOrder = 3
  end
end
