object Actions: TComponent
  Tag = 1
  object FileOpen: TBasicAction
    Tag = 10
  end
  object FileSave: TBasicAction
    Tag = 11
  end
  object HelpAbout: TBasicAction
    Tag = 20
  end
end
