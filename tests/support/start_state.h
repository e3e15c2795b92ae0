// The program's start state, restored before every test: each family of records gets one assignment.
#pragma once

void RestoreStartState();       // every record the program links, as it starts; one definition per program
void RestoreWorldStartState();  // configuration, event log and the turn hooks; the generator at seed 1
