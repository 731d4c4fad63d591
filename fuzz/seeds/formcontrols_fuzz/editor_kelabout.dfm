object kelAboutForm: TForm
  Left = 300
  Top = 220
  BorderStyle = bsDialog
  Caption = 'About'
  ClientHeight = 160
  ClientWidth = 300
  Position = poScreenCenter
  object lbProduct: TLabel
    Left = 16
    Top = 16
    Width = 268
    Height = 20
    Alignment = taCenter
    AutoSize = False
    Caption = 'Corvane Suite'
    Font.Height = -16
    Font.Style = [fsBold]
    ParentFont = False
  end
  object lbVersion: TLabel
    Left = 16
    Top = 42
    Width = 268
    Height = 13
    Alignment = taCenter
    AutoSize = False
    Caption = 'version 1.1.0'
  end
  object lbMaker: TLabel
    Left = 16
    Top = 66
    Width = 268
    Height = 13
    Alignment = taCenter
    AutoSize = False
    Caption = 'Corvane Soft'
  end
  object lbWeb: TLabel
    Left = 16
    Top = 84
    Width = 268
    Height = 13
    Cursor = -21
    Alignment = taCenter
    AutoSize = False
    Caption = 'corvane.example/suite'
    Font.Color = clBlue
    Font.Style = [fsUnderline]
    ParentFont = False
  end
  object lbMail: TLabel
    Left = 16
    Top = 102
    Width = 268
    Height = 13
    Cursor = -21
    Alignment = taCenter
    AutoSize = False
    Caption = 'support@corvane.example'
    Font.Color = clBlue
    Font.Style = [fsUnderline]
    ParentFont = False
  end
  object btOK: TButton
    Left = 112
    Top = 126
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 0
  end
end
