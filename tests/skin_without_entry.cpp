// A library that stands where the skin library should be but lacks its entry point.
extern "C" __attribute__((visibility("default"))) int SkinH_Attach() {
  return 0;
}
