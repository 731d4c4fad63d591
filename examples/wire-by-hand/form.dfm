object Form1: TForm
  Left = 120
  Top = 100
  Width = 360
  Height = 220
  Caption = 'Wired by hand'
  object Button1: TButton
    Left = 8
    Top = 8
    Width = 100
    Height = 25
    Caption = 'Clear the list'
    TabOrder = 0
  end
  object Edit1: TEdit
    Left = 8
    Top = 44
    Width = 150
    Height = 21
    TabOrder = 1
  end
  object CheckBox1: TCheckBox
    Left = 8
    Top = 76
    Width = 150
    Height = 17
    Caption = 'CheckBox1'
    Checked = True
    State = cbChecked
    TabOrder = 2
  end
  object ListBox1: TListBox
    Left = 180
    Top = 8
    Width = 160
    Height = 120
    TabOrder = 3
    Items.Strings = (
      'one'
      'two'
      'three')
  end
end
