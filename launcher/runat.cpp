// The launcher: opens the file named on its command line from its own folder.
// Only its entry exists so far; it does nothing yet.
int main() {
    return 0;
}
