// The floor of the benchmark: the limit program plus, for each button, the
// Win32 work the bar's design requires at start-up (FindExecutableA, the
// shell's display name, ExtractIconA) and the icon drawn on its face.
// Command line: the number of buttons, then the files, used in turn.
#define BENCH_FLOOR
#define BENCH_CLASS "QvBenchFloor"
#include "limit.cpp"
