object Form: TWinControl
  Left = 100
  Top = 100
  Width = 300
  Height = 200
  object Button: TWinControl
    Left = 10
    Top = 10
    Width = 80
    Height = 25
  end
  object Notes: TWinControl
    Left = 10
    Top = 50
    Width = 200
    Height = 25
  end
  object Colours: TComboBox
    Left = 10
    Top = 90
    Width = 120
    Height = 21
    Style = csDropDownList
    Items.Strings = (
      'red'
      'green'
      'blue')
  end
  object Ticker: TTimer
    Interval = 100
  end
  object Wiring: TkelConnectionList
    object ClickMarks: TkelE2PConnection
      Source = Button
      Target = Form
      SourceEvent = 'OnClick'
      TargetProperty = 'Tag'
      ValueConstant = '7'
    end
    object TypedShows: TkelE2PConnection
      Source = Notes
      Target = Form
      SourceEvent = 'OnKeyPress'
      TargetProperty = 'Hint'
      ValueEventParameter = 'Key'
      ValueOptions = voEventProperty
    end
    object ChosenShows: TkelE2PConnection
      Source = Colours
      Target = Form
      SourceEvent = 'OnChange'
      TargetProperty = 'Hint'
      ValueComponent = Colours
      ValueComponentProperty = 'Text'
      ValueOptions = voComponentProperty
    end
    object TickMarks: TkelE2PConnection
      Source = Ticker
      Target = Button
      SourceEvent = 'OnTimer'
      TargetProperty = 'Tag'
      ValueConstant = '5'
    end
    object EnterHides: TkelE2PConnection
      Source = Notes
      Target = Button
      SourceEvent = 'OnEnter'
      TargetProperty = 'Hint'
      ValueConstant = 'left'
    end
  end
end
