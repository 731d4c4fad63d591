object Form1: TForm1
  Left = 823
  Top = 169
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = #1047#1085#1072#1093#1086#1076#1078#1077#1085#1085#1103' '#1084#1072#1082#1089#1080#1084#1091#1084#1072' '#1091' '#1087#1088#1086#1094#1077#1076#1091#1088#1110
  ClientHeight = 485
  ClientWidth = 520
  Color = clSilver
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object lbl1: TLabel
    Left = 24
    Top = 144
    Width = 78
    Height = 23
    Caption = #1052#1072#1089#1080#1074' 1-'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
  end
  object lbl2: TLabel
    Left = 24
    Top = 184
    Width = 78
    Height = 23
    Caption = #1052#1072#1089#1080#1074' 2-'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
  end
  object lbl3: TLabel
    Left = 24
    Top = 224
    Width = 78
    Height = 23
    Caption = #1052#1072#1089#1080#1074' 3-'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
  end
  object lbl4: TLabel
    Left = 24
    Top = 264
    Width = 78
    Height = 23
    Caption = #1052#1072#1089#1080#1074' 4-'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
  end
  object lbl5: TLabel
    Left = 24
    Top = 304
    Width = 78
    Height = 23
    Caption = #1052#1072#1089#1080#1074' 5-'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
  end
  object lbl6: TLabel
    Left = 64
    Top = 344
    Width = 78
    Height = 23
    Caption = #1052#1072#1089#1080#1074' 1-'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
  end
  object lbl7: TLabel
    Left = 64
    Top = 368
    Width = 78
    Height = 23
    Caption = #1052#1072#1089#1080#1074' 2-'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
  end
  object lbl8: TLabel
    Left = 64
    Top = 392
    Width = 78
    Height = 23
    Caption = #1052#1072#1089#1080#1074' 3-'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
  end
  object lbl9: TLabel
    Left = 64
    Top = 416
    Width = 78
    Height = 23
    Caption = #1052#1072#1089#1080#1074' 4-'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
  end
  object lbl10: TLabel
    Left = 64
    Top = 440
    Width = 78
    Height = 23
    Caption = #1052#1072#1089#1080#1074' 5-'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
  end
  object mmo1: TMemo
    Left = 8
    Top = 8
    Width = 505
    Height = 121
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'Tahoma'
    Font.Style = []
    Lines.Strings = (
      #1054#1090#1088#1080#1084#1072#1090#1080' 5 '#1086#1076#1085#1086#1074#1080#1084#1110#1088#1085#1080#1093' '#1084#1072#1089#1080#1074#1110#1074'. '#1047#1085#1072#1081#1090#1080' '
      #1084#1072#1082#1089#1080#1084#1072#1083#1100#1085#1080#1081' ('#1072#1073#1086' '#1084#1110#1085#1110#1084#1072#1083#1100#1085#1080#1081' - '#1079#1072' '#1074#1080#1073#1086#1088#1086#1084' '
      #1082#1086#1088#1080#1089#1090#1091#1074#1072#1095#1072') '#1077#1083#1077#1084#1077#1085#1090' '#1091' '#1082#1086#1078#1085#1086#1084#1091' '#1084#1072#1089#1080#1074#1110'. '#1055#1086#1096#1091#1082' '
      #1084#1072#1082#1089#1080#1084#1091#1084#1091'/'#1084#1110#1085#1110#1084#1091#1084#1091' '#1082#1086#1078#1085#1086#1075#1086' '#1084#1072#1089#1080#1074#1091' '#1074#1080#1082#1086#1088#1080#1089#1090#1072#1090#1080' '#1091' '
      #1086#1082#1088#1077#1084#1110#1081' '#1087#1088#1086#1094#1077#1076#1091#1088#1110'.')
    ParentFont = False
    TabOrder = 0
  end
  object btn1: TButton
    Left = 384
    Top = 368
    Width = 121
    Height = 33
    Caption = #1041#1110#1083#1100#1096#1077
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -16
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    TabOrder = 1
    OnClick = btn1Click
  end
  object btn2: TButton
    Left = 384
    Top = 416
    Width = 121
    Height = 33
    Caption = #1052#1077#1085#1096#1077
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -16
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    TabOrder = 2
    OnClick = btn2Click
  end
  object edt1: TEdit
    Left = 104
    Top = 144
    Width = 393
    Height = 27
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -16
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    TabOrder = 3
  end
  object edt2: TEdit
    Left = 104
    Top = 184
    Width = 393
    Height = 27
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -16
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    TabOrder = 4
  end
  object edt3: TEdit
    Left = 104
    Top = 224
    Width = 393
    Height = 27
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -16
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    TabOrder = 5
  end
  object edt4: TEdit
    Left = 104
    Top = 264
    Width = 393
    Height = 27
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -16
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    TabOrder = 6
  end
  object edt5: TEdit
    Left = 104
    Top = 304
    Width = 393
    Height = 27
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -16
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    TabOrder = 7
  end
end
