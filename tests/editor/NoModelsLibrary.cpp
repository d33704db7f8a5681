// A shared library that is no plug-in: it exports something, but not Models.
extern "C" int NotModels() { return 42; }
