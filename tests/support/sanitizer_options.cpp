// Built into every test program of a sanitizer build, so that ctest, test discovery and a run
// by hand all stop at the first finding with a stack.
extern "C" {

const char* __asan_default_options() {
    return "detect_stack_use_after_return=1:strict_init_order=1:check_initialization_order=1";
}

const char* __ubsan_default_options() {
    return "halt_on_error=1:print_stacktrace=1";
}
}
