object Todo: TDataModule
  object Actions: TActionList
    object AddAction: TAction
      Caption = '&Add'
      Hint = 'Add the text as a new item'
      ShortCut = 16462
    end
    object DeleteAction: TAction
      Caption = '&Delete...'
      Hint = 'Delete the chosen item'
      ShortCut = 46
    end
    object ExitAction: TAction
      Caption = 'E&xit'
      ShortCut = 16465
    end
  end
  object MainMenu: TMainMenu
    object FileMenu: TMenuItem
      Caption = '&File'
      object AddItem: TMenuItem
        Action = AddAction
      end
      object DeleteItem: TMenuItem
        Action = DeleteAction
      end
      object ExitItem: TMenuItem
        Action = ExitAction
      end
    end
  end
  object MainForm: TForm
    Left = 200
    Top = 150
    Width = 320
    Height = 260
    Caption = 'To do'
    Menu = MainMenu
    object NewItem: TEdit
      Left = 8
      Top = 8
      Width = 190
      Height = 21
    end
    object AddButton: TButton
      Left = 206
      Top = 6
      Width = 90
      Height = 25
      Action = AddAction
      Default = True
    end
    object DeleteButton: TButton
      Left = 206
      Top = 36
      Width = 90
      Height = 25
      Action = DeleteAction
    end
    object Items: TListBox
      Left = 8
      Top = 36
      Width = 190
      Height = 150
    end
    object Status: TPanel
      Left = 0
      Top = 210
      Width = 312
      Height = 22
      Align = alBottom
      Alignment = taLeftJustify
      BevelOuter = bvLowered
      Caption = '0'
    end
  end
  object Confirm: TForm
    Left = 260
    Top = 220
    Width = 220
    Height = 110
    Caption = 'Delete the item?'
    BorderStyle = bsDialog
    object YesButton: TButton
      Left = 16
      Top = 40
      Width = 80
      Height = 25
      Caption = '&Yes'
      Default = True
      ModalResult = 6
    end
    object NoButton: TButton
      Left = 112
      Top = 40
      Width = 80
      Height = 25
      Caption = '&No'
      Cancel = True
      ModalResult = 7
    end
  end
  object StatusTimer: TTimer
    Interval = 500
  end
  object ItemList: TkelVariable
    ClassTypeName = 'TStrings'
  end
  object Wiring: TkelConnectionList
    object HoldItems: TkelE2PConnection
      Source = MainForm
      Target = ItemList
      SourceEvent = 'OnShow'
      TargetProperty = 'Self'
      ValueComponent = Items
      ValueComponentProperty = 'Items'
      ValueOptions = voComponentProperty
    end
    object AddText: TkelE2MConnection
      Source = AddAction
      Target = ItemList
      SourceEvent = 'OnExecute'
      TargetMethod = 'Add'
      TargetMethodParameters = <
        item
          ParameterName = 'S'
          Component = NewItem
          ComponentProperty = 'Text'
          Options = voComponentProperty
        end>
    end
    object ClearText: TkelE2PConnection
      Source = AddAction
      Target = NewItem
      SourceEvent = 'OnExecute'
      TargetProperty = 'Text'
    end
    object AskFirst: TkelE2MConnection
      Source = DeleteAction
      Target = Confirm
      SourceEvent = 'OnExecute'
      TargetMethod = 'ShowModal'
    end
    object DeleteChosen: TkelE2MConnection
      Source = YesButton
      Target = ItemList
      SourceEvent = 'OnClick'
      TargetMethod = 'Delete'
      TargetMethodParameters = <
        item
          ParameterName = 'Index'
          Component = Items
          ComponentProperty = 'ItemIndex'
          Options = voComponentProperty
        end>
    end
    object CountShown: TkelE2PConnection
      Source = StatusTimer
      Target = Status
      SourceEvent = 'OnTimer'
      TargetProperty = 'Caption'
      ValueComponent = ItemList
      ValueComponentProperty = 'Count'
      ValueOptions = voComponentProperty
    end
    object ExitCloses: TkelE2MConnection
      Source = ExitAction
      Target = MainForm
      SourceEvent = 'OnExecute'
      TargetMethod = 'Close'
    end
  end
end
