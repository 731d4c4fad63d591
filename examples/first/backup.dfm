object Form: TComponent
  object Save: TBasicAction
  end
  object Backup: TBasicAction
  end
  object Wiring: TkelConnectionList
    object AlsoBackup: TkelE2MConnection
      Source = Save
      Target = Backup
      SourceEvent = 'OnExecute'
      TargetMethod = 'Execute'
    end
    object MarkBackup: TkelE2PConnection
      Source = Backup
      Target = Backup
      SourceEvent = 'OnExecute'
      TargetProperty = 'Tag'
      ValueConstant = '1'
    end
  end
end
