object kelConnectionEditor: TForm
  Left = 306
  Top = 262
  Width = 170
  Height = 239
  BorderIcons = [biSystemMenu]
  Caption = 'Connections'
  object tbButtons: TToolBar
    Left = 0
    Top = 0
    Width = 170
    Height = 29
    Flat = True
    Images = ilButtons
    ShowHint = True
    TabOrder = 0
    object tbAdd: TToolButton
      Action = cmAdd
      DropdownMenu = pmAdd
      Style = tbsDropDown
    end
    object tbDelete: TToolButton
      Action = cmDelete
    end
    object ToolButton1: TToolButton
      Style = tbsSeparator
    end
    object tbMoveUp: TToolButton
      Action = cmMoveUp
    end
    object tbMoveDown: TToolButton
      Action = cmMoveDown
    end
    object ToolButton2: TToolButton
      Style = tbsSeparator
    end
    object tbProperties: TToolButton
      Action = cmProperties
    end
  end
  object lvConnections: TListView
    Left = 0
    Top = 29
    Width = 170
    Height = 210
    Align = alClient
    PopupMenu = PopupMenu
    ReadOnly = True
    SmallImages = ilConnectors
    TabOrder = 1
    ViewStyle = vsList
  end
  object ilConnectors: TImageList
  end
  object ilButtons: TImageList
  end
  object ActionList1: TActionList
    Images = ilButtons
    object cmAdd: TAction
      Caption = 'New connection'
      Hint = 'New connection'
      ImageIndex = 0
    end
    object cmDelete: TAction
      Caption = 'Delete connection...'
      Hint = 'Delete connection'
      ImageIndex = 1
      ShortCut = 46
    end
    object cmMoveUp: TAction
      Caption = 'Move Up'
      Hint = 'Move Up'
      ImageIndex = 2
    end
    object cmMoveDown: TAction
      Caption = 'Move Down'
      Hint = 'Move Down'
      ImageIndex = 3
    end
    object cmProperties: TAction
      Caption = 'Properties...'
      Hint = 'Edit properties...'
      ImageIndex = 4
    end
  end
  object pmAdd: TPopupMenu
    Images = ilConnectors
    object miAddP2P: TMenuItem
      Caption = 'Property to Property'
      Default = True
      ImageIndex = 0
      ShortCut = 45
    end
    object miAddE2P: TMenuItem
      Caption = 'Event to Property'
      ImageIndex = 1
      ShortCut = 8237
    end
    object miAddE2M: TMenuItem
      Caption = 'Event to Method'
      ImageIndex = 2
      ShortCut = 16429
    end
  end
  object PopupMenu: TPopupMenu
    Images = ilConnectors
    object miNew: TMenuItem
      Caption = 'New connection'
      object miNewP2P: TMenuItem
        Caption = 'Property to Property'
        ImageIndex = 0
        ShortCut = 45
      end
      object miNewE2P: TMenuItem
        Caption = 'Event to Property'
        ImageIndex = 1
        ShortCut = 8237
      end
      object miNewE2M: TMenuItem
        Caption = 'Event to Method'
        ImageIndex = 2
        ShortCut = 16429
      end
    end
    object miDelete: TMenuItem
      Action = cmDelete
    end
    object N1: TMenuItem
      Caption = '-'
    end
    object miMoveUp: TMenuItem
      Action = cmMoveUp
    end
    object miMoveDown: TMenuItem
      Action = cmMoveDown
    end
    object N2: TMenuItem
      Caption = '-'
    end
    object miProperties: TMenuItem
      Action = cmProperties
    end
  end
end
