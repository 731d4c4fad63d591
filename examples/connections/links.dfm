object Links: TComponent
  object Primary: TBasicAction
    Tag = 1
  end
  object Mirror: TBasicAction
  end
  object Picker: TBasicAction
  end
  object Runner: TBasicAction
  end
  object Current: TkelVariable
    ClassTypeName = 'TBasicAction'
  end
  object Wiring: TkelConnectionList
    object TagLink: TkelP2PConnection
      Source = Primary
      Target = Mirror
      SourceProperty = 'Tag'
      SourceEvent = 'OnUpdate'
      TargetProperty = 'Tag'
      TargetEvent = 'OnUpdate'
    end
    object PickFirst: TkelE2PConnection
      Source = Picker
      Target = Current
      SourceEvent = 'OnExecute'
      TargetProperty = 'Self'
      ValueComponent = Links
      ValueComponentProperty = 'Components'
      ValueOptions = voComponentProperty
      ValueComponentPropertyIndexes = (
        '0')
    end
    object RunCurrent: TkelE2MConnection
      Source = Runner
      Target = Current
      SourceEvent = 'OnExecute'
      TargetMethod = 'Execute'
    end
    object Stamp: TkelE2PConnection
      Source = Current
      Target = Mirror
      SourceEvent = 'OnExecute'
      TargetProperty = 'Tag'
      ValueConstant = '99'
    end
  end
end
