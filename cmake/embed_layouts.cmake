# Script mode: cmake -DOUTPUT=FILE.cc -DINPUTS="a.dfm|b.dfm" -P embed_layouts.cmake
# writes a source file that holds the text of every form file given, so the
# dialogs whose layouts they are read them from the program itself (see
# editors/kellayouts.h).
set(body "")
string(REPLACE "|" ";" inputs "${INPUTS}")
foreach(input IN LISTS inputs)
  get_filename_component(name ${input} NAME)
  file(READ ${input} text)
  string(APPEND body "    {\"${name}\", R\"corvane_layout(${text})corvane_layout\"},\n")
endforeach()
file(WRITE ${OUTPUT}.new
     "// Made by cmake/embed_layouts.cmake from the form files of editors/.\n"
     "#include \"editors/kellayouts.h\"\n\n"
     "namespace kel {\n\n"
     "const TkelLayout kelLayouts[] = {\n${body}};\n"
     "const std::size_t kelLayoutCount = sizeof(kelLayouts) / sizeof(kelLayouts[0]);\n\n"
     "}  // namespace kel\n")
# Rewritten only when it changed, so an unchanged layout rebuilds nothing.
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
