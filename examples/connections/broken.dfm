object Broken: TComponent
  object FileOpen: TBasicAction
  end
  object FileSave: TBasicAction
  end
  object Wiring: TkelConnectionList
    object Fine: TkelE2MConnection
      Source = FileSave
      Target = FileOpen
      SourceEvent = 'OnExecute'
      TargetMethod = 'Execute'
    end
    object Misspelled: TkelE2MConnection
      Source = FileSave
      Target = FileOpen
      SourceEvent = 'OnExecuted'
      TargetMethod = 'Execute'
    end
    object NoTarget: TkelE2MConnection
      Source = FileSave
      SourceEvent = 'OnExecute'
      TargetMethod = 'Execute'
    end
    object BadBinding: TkelE2MConnection
      Source = FileSave
      Target = Broken
      SourceEvent = 'OnExecute'
      TargetMethod = 'FindComponent'
      TargetMethodParameters = <
        item
          ParameterName = 'AName'
          Component = FileOpen
          ComponentProperty = 'Caption'
          Options = voComponentProperty
        end>
    end
  end
  object Loose: TkelE2MConnection
    Source = FileOpen
    Target = FileSave
    SourceEvent = 'OnExecute'
    TargetMethod = 'Execute'
  end
end
