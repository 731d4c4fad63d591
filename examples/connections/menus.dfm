object MenuForm: TDataModule
  object Actions: TActionList
    object FileOpen: TAction
      Category = 'File'
      Caption = '&Open...'
      Hint = 'Open a file'
      ShortCut = 16463
    end
    object FileSave: TAction
      Category = 'File'
      Caption = '&Save'
      Hint = 'Save the file'
      ShortCut = 16467
    end
  end
  object MainMenu: TMainMenu
    object FileMenu: TMenuItem
      Caption = '&File'
      object OpenItem: TMenuItem
        Action = FileOpen
      end
      object SaveItem: TMenuItem
        Caption = '&Save'
      end
    end
  end
  object EditPopup: TPopupMenu
    object CutItem: TMenuItem
      Caption = 'Cu&t'
    end
  end
  object Wiring: TkelConnectionList
    object SaveClicked: TkelE2MConnection
      Source = SaveItem
      Target = FileSave
      SourceEvent = 'OnClick'
      TargetMethod = 'Execute'
    end
    object PopupOpens: TkelE2MConnection
      Source = EditPopup
      Target = FileOpen
      SourceEvent = 'OnPopup'
      TargetMethod = 'Execute'
    end
    object SaveHintAsksOpen: TkelE2MConnection
      Source = FileSave
      Target = FileOpen
      SourceEvent = 'OnHint'
      TargetMethod = 'DoHint'
      TargetMethodParameters = <
        item
          ParameterName = 'HintStr'
          EventParameter = 'HintStr'
          Options = voEventProperty
        end>
    end
    object OpenHintShown: TkelE2PConnection
      Source = FileOpen
      Target = CutItem
      SourceEvent = 'OnHint'
      TargetProperty = 'Hint'
      ValueOptions = voEventProperty
      ValueEventParameter = 'HintStr'
    end
  end
end
