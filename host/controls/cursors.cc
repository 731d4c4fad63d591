#include "host/controls/cursors.h"

#include <climits>

#include "host/controls/controltypes.h"
#include "host/graphics/identmap_p.h"

namespace host {

namespace {

constexpr identmap::TEntry kCursorNames[] = {
    {crDefault, "crDefault"},     {crNone, "crNone"},         {crArrow, "crArrow"},
    {crCross, "crCross"},         {crIBeam, "crIBeam"},       {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},       {crSizeNWSE, "crSizeNWSE"}, {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},     {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},       {crHSplit, "crHSplit"},     {crVSplit, "crVSplit"},
    {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},   {crNo, "crNo"},
    {crAppStart, "crAppStart"},   {crHelp, "crHelp"},         {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},
    // The older name of crSizeAll, read only (the first name is written).
    {crSizeAll, "crSize"},
};

}  // namespace

const TTypeInfo* CursorTypeInfo() {
  static constexpr TTypeInfo info{tkInteger, "TCursor", otSWord, ftDouble, SHRT_MIN, SHRT_MAX, {}, nullptr};
  return &info;
}

TPropInfo CursorProp(TPropInfo Prop) {
  Prop.PropType = CursorTypeInfo();
  return Prop;
}

bool CursorToIdent(int32_t Cursor, std::string& Ident) { return identmap::ToIdent(kCursorNames, Cursor, Ident); }

bool IdentToCursor(std::string_view Ident, int32_t& Cursor) { return identmap::ToValue(kCursorNames, Ident, Cursor); }

void RegisterCursorIdents() { RegisterIntegerConsts(CursorTypeInfo(), IdentToCursor, CursorToIdent); }

void UnregisterCursorIdents() { UnregisterIntegerConsts(CursorTypeInfo()); }

}  // namespace host
