// The program's start state, restored before every test: each family of records gets one assignment.
#pragma once

void RestoreStartState();       // every record the test program links, as the program starts; one definition per program
void RestoreWorldStartState();  // the configuration, the event log, the world's records, its hooks and the generator at a known seed
