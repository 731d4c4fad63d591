object kelP2PForm: TForm
  Left = 270
  Top = 215
  BorderStyle = bsDialog
  Caption = 'P2PConnection editor'
  ClientHeight = 310
  ClientWidth = 393
  object GroupBox1: TGroupBox
    Left = 8
    Top = 8
    Width = 185
    Height = 257
    Caption = 'Source'
    TabOrder = 0
    object Label1: TLabel
      Left = 8
      Top = 46
      Width = 80
      Height = 13
      Caption = 'Source property'
    end
    object Label5: TLabel
      Left = 8
      Top = 164
      Width = 108
      Height = 13
      Caption = 'Source property index'
    end
    object Label2: TLabel
      Left = 8
      Top = 208
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
    object lbSourceProperty: TListBox
      Left = 8
      Top = 62
      Width = 169
      Height = 97
      ItemHeight = 13
      Sorted = True
      TabOrder = 1
    end
    object edSourcePropertyIndex: TEdit
      Left = 8
      Top = 180
      Width = 137
      Height = 21
      Color = clBtnFace
      ReadOnly = True
      TabOrder = 2
    end
    object btSourcePropertyIndex: TButton
      Left = 152
      Top = 178
      Width = 25
      Height = 25
      Caption = '...'
      TabOrder = 3
    end
    object cbSourceEvent: TComboBox
      Left = 8
      Top = 224
      Width = 169
      Height = 21
      Sorted = True
      TabOrder = 4
    end
  end
  object GroupBox2: TGroupBox
    Left = 200
    Top = 8
    Width = 185
    Height = 257
    Caption = 'Target'
    TabOrder = 1
    object Label3: TLabel
      Left = 8
      Top = 46
      Width = 80
      Height = 13
      Caption = 'Target property'
    end
    object Label6: TLabel
      Left = 8
      Top = 164
      Width = 108
      Height = 13
      Caption = 'Target property index'
    end
    object Label4: TLabel
      Left = 8
      Top = 208
      Width = 49
      Height = 13
      Caption = 'On event'
    end
    object cbTarget: TComboBox
      Left = 8
      Top = 20
      Width = 169
      Height = 21
      TabOrder = 0
    end
    object lbTargetProperty: TListBox
      Left = 8
      Top = 62
      Width = 169
      Height = 97
      ItemHeight = 13
      Sorted = True
      TabOrder = 1
    end
    object edTargetPropertyIndex: TEdit
      Left = 8
      Top = 180
      Width = 137
      Height = 21
      Color = clBtnFace
      ReadOnly = True
      TabOrder = 2
    end
    object btTargetPropertyIndex: TButton
      Left = 152
      Top = 178
      Width = 25
      Height = 25
      Caption = '...'
      TabOrder = 3
    end
    object cbTargetEvent: TComboBox
      Left = 8
      Top = 224
      Width = 169
      Height = 21
      Sorted = True
      TabOrder = 4
    end
  end
  object btClose: TButton
    Left = 310
    Top = 277
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Close'
    ModalResult = 1
    TabOrder = 2
  end
end
