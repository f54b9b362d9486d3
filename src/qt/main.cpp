#include "qt/application.h"

int main(int argc, char** argv) { return brevane::qt::runBrevane(argc, argv); }
