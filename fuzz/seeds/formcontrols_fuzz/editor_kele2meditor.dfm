object kelE2MForm: TForm
  Left = 296
  Top = 210
  BorderStyle = bsDialog
  Caption = 'E2MConnection editor'
  ClientHeight = 294
  ClientWidth = 393
  object GroupBox1: TGroupBox
    Left = 8
    Top = 8
    Width = 185
    Height = 241
    Caption = 'Source'
    TabOrder = 0
    object Label2: TLabel
      Left = 8
      Top = 48
      Width = 49
      Height = 13
      Caption = 'On event'
    end
    object cbSource: TComboBox
      Left = 8
      Top = 20
      Width = 169
      Height = 21
      TabOrder = 0
    end
    object cbSourceEvent: TComboBox
      Left = 8
      Top = 64
      Width = 169
      Height = 21
      Sorted = True
      TabOrder = 1
    end
  end
  object GroupBox2: TGroupBox
    Left = 200
    Top = 8
    Width = 185
    Height = 241
    Caption = 'Target'
    TabOrder = 1
    object Label3: TLabel
      Left = 8
      Top = 48
      Width = 74
      Height = 13
      Caption = 'Target method'
    end
    object cbTarget: TComboBox
      Left = 8
      Top = 20
      Width = 169
      Height = 21
      TabOrder = 0
    end
    object lbTargetMethod: TListBox
      Left = 8
      Top = 64
      Width = 169
      Height = 137
      ItemHeight = 13
      Sorted = True
      TabOrder = 1
    end
    object btSetParameters: TButton
      Left = 8
      Top = 208
      Width = 169
      Height = 25
      Caption = 'Set parametes...'
      Enabled = False
      TabOrder = 2
    end
  end
  object btClose: TButton
    Left = 310
    Top = 261
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Close'
    ModalResult = 1
    TabOrder = 2
  end
end
