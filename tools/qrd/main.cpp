#include <cstdio>

#include "commands.h"

int main(int argc, char** argv) { return RunQrd(argc, argv, stdout, stderr); }
