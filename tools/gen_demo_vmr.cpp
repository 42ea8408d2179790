// Writes a demo TPERSON.VMR. (Filled in below.)
int main() { return 0; }
