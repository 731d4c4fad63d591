// The names of the stock cursors. Form files write a control's Cursor and
// DragCursor as the classic identifiers (Cursor = crHandPoint) and the
// reader takes them back; a cursor number without a name (a cursor an
// application registered with the screen) is written as a number.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/classes/typinfo.h"

namespace host {

// The type information of a cursor property (TCursor: a 16-bit integer
// with identifiers).
const TTypeInfo* CursorTypeInfo();
// Prop typed as a cursor, so the filer writes and reads its identifiers.
TPropInfo CursorProp(TPropInfo Prop);

bool CursorToIdent(int32_t Cursor, std::string& Ident);
bool IdentToCursor(std::string_view Ident, int32_t& Cursor);

// Registers the identifiers with the filer (and takes them away).
void RegisterCursorIdents();
void UnregisterCursorIdents();

}  // namespace host
