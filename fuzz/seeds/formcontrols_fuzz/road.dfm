object Form: TWinControl
  Left = 100
  Top = 100
  Width = 260
  Height = 180
  object ClearButton: TButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    Caption = 'Clear'
  end
  object Names: TListBox
    Left = 8
    Top = 40
    Width = 160
    Height = 120
    Items.Strings = (
      'Ada'
      'Grace'
      'Linus')
  end
  object Wiring: TkelConnectionList
    object ClearOnClick: TkelE2MConnection
      Source = ClearButton
      SourceEvent = 'OnClick'
      Target = Names
      TargetMethod = 'Clear'
    end
  end
end
