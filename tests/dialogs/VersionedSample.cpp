// A program that does nothing but carry a version record of its own.
int main() {
  return 0;
}
