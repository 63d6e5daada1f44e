// orbmenu-cli: the editor's core on the command line, for building CD roots in scripts.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
    std::printf("usage: orbmenu-cli COMMAND [ARGS]\n");
    return argc < 2 ? 2 : 0;
  }
  std::fprintf(stderr, "orbmenu-cli: unknown command '%s'\n", argv[1]);
  return 2;
}
