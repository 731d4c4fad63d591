object kelE2PForm: TForm
  Left = 226
  Top = 192
  BorderStyle = bsDialog
  Caption = 'E2PConnection editor'
  ClientHeight = 343
  ClientWidth = 682
  object GroupBox1: TGroupBox
    Left = 8
    Top = 8
    Width = 170
    Height = 297
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
      Width = 154
      Height = 21
      TabOrder = 0
    end
    object cbSourceEvent: TComboBox
      Left = 8
      Top = 64
      Width = 154
      Height = 21
      Sorted = True
      TabOrder = 1
    end
  end
  object GroupBox2: TGroupBox
    Left = 184
    Top = 8
    Width = 170
    Height = 297
    Caption = 'Target'
    TabOrder = 1
    object Label3: TLabel
      Left = 8
      Top = 48
      Width = 80
      Height = 13
      Caption = 'Target property'
    end
    object Label6: TLabel
      Left = 8
      Top = 232
      Width = 108
      Height = 13
      Caption = 'Target property index'
    end
    object cbTarget: TComboBox
      Left = 8
      Top = 20
      Width = 154
      Height = 21
      TabOrder = 0
    end
    object lbTargetProperty: TListBox
      Left = 8
      Top = 64
      Width = 154
      Height = 161
      ItemHeight = 13
      Sorted = True
      TabOrder = 1
    end
    object edTargetPropertyIndex: TEdit
      Left = 8
      Top = 248
      Width = 122
      Height = 21
      Color = clBtnFace
      ReadOnly = True
      TabOrder = 2
    end
    object btTargetPropertyIndex: TButton
      Left = 137
      Top = 246
      Width = 25
      Height = 25
      Caption = '...'
      TabOrder = 3
    end
  end
  object GroupBox3: TGroupBox
    Left = 362
    Top = 8
    Width = 312
    Height = 297
    Caption = 'Set target property as'
    TabOrder = 2
    object pcValue: TPageControl
      Left = 8
      Top = 20
      Width = 296
      Height = 269
      Style = tsButtons
      TabOrder = 0
      object tsConstant: TTabSheet
        Caption = 'Constant'
        object Label8: TLabel
          Left = 8
          Top = 8
          Width = 42
          Height = 13
          Caption = 'Constant'
        end
        object edConstant: TEdit
          Left = 8
          Top = 24
          Width = 272
          Height = 21
          TabOrder = 0
        end
      end
      object tsComponent: TTabSheet
        Caption = 'Component property'
        object Label5: TLabel
          Left = 8
          Top = 8
          Width = 54
          Height = 13
          Caption = 'Component'
        end
        object Label4: TLabel
          Left = 8
          Top = 52
          Width = 39
          Height = 13
          Caption = 'Property'
        end
        object Label1: TLabel
          Left = 8
          Top = 192
          Width = 71
          Height = 13
          Caption = 'Property index'
        end
        object cbComponent: TComboBox
          Left = 8
          Top = 24
          Width = 272
          Height = 21
          TabOrder = 0
        end
        object lbComponentProperty: TListBox
          Left = 8
          Top = 68
          Width = 272
          Height = 117
          ItemHeight = 13
          Sorted = True
          TabOrder = 1
        end
        object edComponentPropertyIndex: TEdit
          Left = 8
          Top = 208
          Width = 240
          Height = 21
          Color = clBtnFace
          ReadOnly = True
          TabOrder = 2
        end
        object btComponentPropertyIndex: TButton
          Left = 255
          Top = 206
          Width = 25
          Height = 25
          Caption = '...'
          TabOrder = 3
        end
      end
      object tsEvent: TTabSheet
        Caption = 'Event parameter'
        object Label7: TLabel
          Left = 8
          Top = 8
          Width = 79
          Height = 13
          Caption = 'Event parameter'
        end
        object lbEventParameter: TListBox
          Left = 8
          Top = 24
          Width = 272
          Height = 205
          ItemHeight = 13
          TabOrder = 0
        end
      end
    end
  end
  object btExplore: TButton
    Left = 8
    Top = 312
    Width = 105
    Height = 25
    Caption = 'Set value as >>'
    TabOrder = 3
  end
  object btClose: TButton
    Left = 279
    Top = 312
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Close'
    ModalResult = 1
    TabOrder = 4
  end
end
