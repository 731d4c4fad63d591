object kelMPForm: TForm
  Left = 268
  Top = 178
  BorderStyle = bsDialog
  Caption = 'Method parameters editor'
  ClientHeight = 343
  ClientWidth = 489
  object GroupBox1: TGroupBox
    Left = 8
    Top = 8
    Width = 145
    Height = 297
    Caption = 'Parameters'
    TabOrder = 0
    object lbParameters: TListBox
      Left = 8
      Top = 20
      Width = 129
      Height = 269
      ItemHeight = 13
      TabOrder = 0
    end
  end
  object GroupBox3: TGroupBox
    Left = 160
    Top = 8
    Width = 321
    Height = 297
    Caption = 'Set target property as'
    TabOrder = 1
    object pcValue: TPageControl
      Left = 8
      Top = 20
      Width = 305
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
          Width = 281
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
          Width = 281
          Height = 21
          TabOrder = 0
        end
        object lbComponentProperty: TListBox
          Left = 8
          Top = 68
          Width = 281
          Height = 117
          ItemHeight = 13
          Sorted = True
          TabOrder = 1
        end
        object edComponentPropertyIndex: TEdit
          Left = 8
          Top = 208
          Width = 249
          Height = 21
          Color = clBtnFace
          ReadOnly = True
          TabOrder = 2
        end
        object btComponentPropertyIndex: TButton
          Left = 264
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
          Width = 281
          Height = 205
          ItemHeight = 13
          TabOrder = 0
        end
      end
    end
  end
  object btClose: TButton
    Left = 406
    Top = 310
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Close'
    ModalResult = 1
    TabOrder = 2
  end
end
