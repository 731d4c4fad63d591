object Form: TWinControl
  Left = 100
  Top = 100
  Width = 340
  Height = 260
  object Secret: TEdit
    Left = 8
    Top = 8
    Width = 150
    Height = 21
  end
  object Bar: TScrollBar
    Left = 8
    Top = 40
    Width = 200
    Height = 17
  end
  object Master: TCheckBox
    Left = 8
    Top = 68
    Width = 100
    Height = 17
    Caption = 'Master'
  end
  object Follower: TCheckBox
    Left = 120
    Top = 68
    Width = 100
    Height = 17
    Caption = 'Follower'
  end
  object Typed: TEdit
    Left = 8
    Top = 96
    Width = 150
    Height = 21
  end
  object Echo: TLabel
    Left = 170
    Top = 100
    Width = 3
    Height = 13
  end
  object Pick: TButton
    Left = 8
    Top = 128
    Width = 75
    Height = 25
    Caption = 'Pick'
  end
  object Choices: TListBox
    Left = 100
    Top = 128
    Width = 120
    Height = 100
    MultiSelect = True
    Items.Strings = (
      'red'
      'green'
      'blue'
      'cyan'
      'white')
  end
  object Wiring: TkelConnectionList
    object MaskKeys: TkelE2MConnection
      Source = Secret
      Target = Form
      SourceEvent = 'OnKeyPress'
      TargetMethod = 'FindComponent'
      TargetMethodParameters = <
        item
          ParameterName = 'AName'
          EventParameter = 'Key'
          Options = voEventProperty
        end
        item
          ParameterName = 'AName'
          Constant = '*'
        end>
    end
    object HoldBar: TkelE2MConnection
      Source = Bar
      Target = Choices
      SourceEvent = 'OnScroll'
      TargetMethod = 'ItemRect'
      TargetMethodParameters = <
        item
          ParameterName = 'Index'
          EventParameter = 'ScrollPos'
          Options = voEventProperty
        end
        item
          ParameterName = 'Index'
          Component = Choices
          ComponentProperty = 'ItemIndex'
          Options = voComponentProperty
        end>
    end
    object SameCheck: TkelP2PConnection
      Source = Master
      Target = Follower
      SourceProperty = 'Checked'
      SourceEvent = 'OnClick'
      TargetProperty = 'Checked'
      TargetEvent = 'OnClick'
    end
    object EchoText: TkelE2PConnection
      Source = Typed
      Target = Echo
      SourceEvent = 'OnChange'
      TargetProperty = 'Caption'
      ValueComponent = Typed
      ValueComponentProperty = 'Text'
      ValueOptions = voComponentProperty
    end
    object PickFourth: TkelE2PConnection
      Source = Pick
      Target = Choices
      SourceEvent = 'OnClick'
      TargetProperty = 'Selected'
      ValueConstant = 'True'
      TargetPropertyIndexes = (
        '3')
    end
  end
end
