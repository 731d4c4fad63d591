object Actions: TComponent
  object FileOpen: TBasicAction
    Tag = 10
  end
  object FileSave: TBasicAction
    Tag = 11
  end
  object HelpAbout: TBasicAction
    Tag = 20
  end
  object Wiring: TkelConnectionList
    object SaveOpensToo: TkelE2MConnection
      Source = FileSave
      Target = FileOpen
      SourceEvent = 'OnExecute'
      TargetMethod = 'Execute'
    end
    object OpenTargetsSender: TkelE2MConnection
      Source = FileOpen
      Target = HelpAbout
      SourceEvent = 'OnExecute'
      TargetMethod = 'ExecuteTarget'
      TargetMethodParameters = <
        item
          ParameterName = 'Target'
          EventParameter = 'Sender'
          Options = voEventProperty
        end>
    end
    object AboutFindsByName: TkelE2MConnection
      Source = HelpAbout
      Target = Actions
      SourceEvent = 'OnExecute'
      TargetMethod = 'FindComponent'
      TargetMethodParameters = <
        item
          ParameterName = 'AName'
          Constant = 'FileSave'
        end>
    end
    object AboutFindsItself: TkelE2MConnection
      Source = HelpAbout
      Target = Actions
      SourceEvent = 'OnExecute'
      TargetMethod = 'FindComponent'
      TargetMethodParameters = <
        item
          ParameterName = 'AName'
          Component = HelpAbout
          ComponentProperty = 'Name'
          Options = voComponentProperty
        end>
    end
  end
end
