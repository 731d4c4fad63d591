object Form1: TForm1
  Left = 930
  Top = 463
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = #1057#1090#1074#1086#1088#1077#1085#1085#1103' '#1092#1091#1085#1082#1094#1110#1111' '#1084#1072#1082#1089#1080#1084#1072#1083#1100#1085#1086#1075#1086
  ClientHeight = 177
  ClientWidth = 409
  Color = clSilver
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -16
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 19
  object lbledt1: TLabeledEdit
    Left = 16
    Top = 32
    Width = 121
    Height = 27
    EditLabel.Width = 12
    EditLabel.Height = 19
    EditLabel.Caption = 'Q'
    TabOrder = 0
  end
  object LabeledEdit1: TLabeledEdit
    Left = 144
    Top = 32
    Width = 121
    Height = 27
    EditLabel.Width = 14
    EditLabel.Height = 19
    EditLabel.Caption = 'W'
    TabOrder = 1
  end
  object lbledt2: TLabeledEdit
    Left = 272
    Top = 32
    Width = 121
    Height = 27
    EditLabel.Width = 9
    EditLabel.Height = 19
    EditLabel.Caption = 'E'
    TabOrder = 2
  end
  object btn1: TButton
    Left = 272
    Top = 136
    Width = 121
    Height = 25
    Caption = #1055#1091#1089#1082
    TabOrder = 3
    OnClick = btn1Click
  end
  object lbledt3: TLabeledEdit
    Left = 16
    Top = 136
    Width = 121
    Height = 27
    EditLabel.Width = 96
    EditLabel.Height = 19
    EditLabel.Caption = #1052#1072#1082#1089#1080#1084#1072#1083#1100#1085#1077
    TabOrder = 4
  end
  object lbledt4: TLabeledEdit
    Left = 16
    Top = 80
    Width = 121
    Height = 27
    EditLabel.Width = 10
    EditLabel.Height = 19
    EditLabel.Caption = 'R'
    TabOrder = 5
  end
  object lbledt5: TLabeledEdit
    Left = 144
    Top = 80
    Width = 121
    Height = 27
    EditLabel.Width = 10
    EditLabel.Height = 19
    EditLabel.Caption = 'T'
    TabOrder = 6
  end
  object lbledt6: TLabeledEdit
    Left = 272
    Top = 80
    Width = 121
    Height = 27
    EditLabel.Width = 10
    EditLabel.Height = 19
    EditLabel.Caption = 'Y'
    TabOrder = 7
  end
end
