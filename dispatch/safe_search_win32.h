// Where the program looks for the programs it starts by bare name and for the
// DLLs it loads. It runs with administrator rights, so neither may come from
// whatever folder happens to be current.
#pragma once

// Keeps the current directory out of both searches for the rest of the run;
// the program's own folder and the system folders are searched as before.
void UseSafeSearchOrder();
