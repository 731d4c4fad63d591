object Settings: TComponent
  Tag = -42
end
