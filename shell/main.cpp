#include "shell/startup.hpp"

int main(int argc, char** argv) { return Startup::Main(argc, argv); }
