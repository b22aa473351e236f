// Pindrake: the balloon puzzle game. For now it starts and ends cleanly.
#include "zentoir.h"

int main() {
  zentoir::EndProgram();
}
