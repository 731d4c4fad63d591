object MainForm: TForm
  Left = 200
  Top = 120
  Width = 300
  Height = 270
  Caption = 'Guests'
  ActiveControl = NameEdit
  object NameEdit: TEdit
    Left = 8
    Top = 8
    Width = 180
    Height = 21
  end
  object AddButton: TButton
    Left = 196
    Top = 6
    Width = 90
    Height = 25
    Caption = '&Add'
    Default = True
  end
  object ClearButton: TButton
    Left = 196
    Top = 36
    Width = 90
    Height = 25
    Caption = '&Clear'
  end
  object Guests: TListBox
    Left = 8
    Top = 36
    Width = 180
    Height = 150
  end
  object Greeting: TLabel
    Left = 8
    Top = 196
    Width = 180
    Height = 13
  end
  object GuestList: TkelVariable
    ClassTypeName = 'TStrings'
  end
  object Wiring: TkelConnectionList
    object HoldGuests: TkelE2PConnection
      Source = MainForm
      Target = GuestList
      SourceEvent = 'OnShow'
      TargetProperty = 'Self'
      ValueComponent = Guests
      ValueComponentProperty = 'Items'
      ValueOptions = voComponentProperty
    end
    object EchoName: TkelE2PConnection
      Source = NameEdit
      Target = Greeting
      SourceEvent = 'OnChange'
      TargetProperty = 'Caption'
      ValueComponent = NameEdit
      ValueComponentProperty = 'Text'
      ValueOptions = voComponentProperty
    end
    object AddName: TkelE2MConnection
      Source = AddButton
      Target = GuestList
      SourceEvent = 'OnClick'
      TargetMethod = 'Add'
      TargetMethodParameters = <
        item
          ParameterName = 'S'
          Component = NameEdit
          ComponentProperty = 'Text'
          Options = voComponentProperty
        end>
    end
    object EmptyName: TkelE2PConnection
      Source = AddButton
      Target = NameEdit
      SourceEvent = 'OnClick'
      TargetProperty = 'Text'
    end
    object ClearGuests: TkelE2MConnection
      Source = ClearButton
      Target = Guests
      SourceEvent = 'OnClick'
      TargetMethod = 'Clear'
    end
  end
end
