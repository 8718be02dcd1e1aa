// Resource ids shared by tavimo.rc and the program.
#pragma once

#define IDI_TAVIMO 1
