// Defaults of the address sanitizer for the fuzz targets: a small quarantine and short allocation
// stacks keep each run cheap (most inputs allocate and free many short buffers), so a target makes
// far more executions in the same time. Freed memory is still poisoned until it is reused.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=8:malloc_context_size=2";
}
