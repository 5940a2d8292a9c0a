// The entry point of the link checks (cmake/CoreLayers.cmake): the program
// does nothing; that it links at all is the check.
int main() {
  return 0;
}
