// Kelreg: the package's place in the form designer. Its start-up registers
// the connection classes for form streaming; Register (called by a
// designer when it loads the package) puts the variable and the connection
// list on the palette page "Corvane", keeps the connections off the palette
// (they are made in the connection list editor), and attaches the property
// editors and component editors of the editors folder. It holds no editor
// logic of its own.
#pragma once

namespace kel::kelreg {

void Initialize();
void Finalize();
// The designer registration, in the current editor group.
void Register();

}  // namespace kel::kelreg
