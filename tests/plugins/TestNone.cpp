// TestNone: a loadable module that exports none of the plugin factories, for the
// "procedure not found" path of plugin loading.
extern "C" __attribute__((visibility("default"))) int TestNoneMarker()
{
    return 0;
}
