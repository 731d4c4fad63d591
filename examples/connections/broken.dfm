object Broken: TComponent
  object FileOpen: TBasicAction
  end
  object FileSave: TBasicAction
  end
  object Ping: TBasicAction
  end
  object Pong: TBasicAction
  end
  object Module: TDataModule
  end
  object Holder: TkelVariable
    ClassTypeName = 'TBasicAction'
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
    object NoSuchProperty: TkelE2PConnection
      Source = FileSave
      Target = FileOpen
      SourceEvent = 'OnExecute'
      TargetProperty = 'Caption'
      ValueConstant = 'x'
    end
    object NoValueSource: TkelE2PConnection
      Source = FileSave
      Target = FileOpen
      SourceEvent = 'OnExecute'
      TargetProperty = 'Tag'
      ValueOptions = voComponentProperty
    end
    object NotDescribed: TkelE2MConnection
      Source = Module
      Target = FileOpen
      SourceEvent = 'OnCreate'
      TargetMethod = 'Execute'
    end
    object HalfLink: TkelP2PConnection
      Source = FileSave
      Target = Holder
      SourceProperty = 'Tga'
      TargetProperty = 'Tag'
      TargetEvent = 'OnExecute'
    end
    object Endless: TkelE2MConnection
      Source = FileSave
      Target = FileSave
      SourceEvent = 'OnExecute'
      TargetMethod = 'Execute'
    end
    object PingPong: TkelE2MConnection
      Source = Ping
      Target = Pong
      SourceEvent = 'OnExecute'
      TargetMethod = 'Execute'
    end
    object PongPing: TkelE2MConnection
      Source = Pong
      Target = Ping
      SourceEvent = 'OnExecute'
      TargetMethod = 'Execute'
    end
    object ReadOnly: TkelE2PConnection
      Source = FileSave
      Target = FileOpen
      SourceEvent = 'OnExecute'
      TargetProperty = 'ComponentCount'
      ValueConstant = '1'
    end
    object WrongIndexes: TkelE2PConnection
      Source = FileSave
      Target = FileOpen
      SourceEvent = 'OnExecute'
      TargetProperty = 'Tag'
      ValueOptions = voComponentProperty
      ValueComponent = Broken
      ValueComponentProperty = 'Components'
      ValueConstant = 'x'
      ValueComponentPropertyIndexes = (
        '0'
        '1')
    end
    object MixedKinds: TkelP2PConnection
      Source = FileSave
      Target = FileOpen
      SourceProperty = 'Name'
      TargetProperty = 'Tag'
    end
  end
  object Loose: TkelE2MConnection
    Source = FileOpen
    Target = FileSave
    SourceEvent = 'OnExecute'
    TargetMethod = 'Execute'
  end
end
