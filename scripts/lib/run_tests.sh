# run_tests BUILD_DIR: every test under CTest with two jobs. When some fail, their assertions are
# printed once more at the very end, where a log cut to its last lines still shows them.
run_tests() {
    local build=$1
    if QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j2; then
        return 0
    fi
    echo "What the failed tests reported:"
    awk '/^[0-9]+\/[0-9]+ Testing: / { block = ""; keep = 0 }
         /^\[ RUN/ { keep = 1 }
         keep && !/^This plugin does not support/ { block = block $0 "\n" }
         /^\[  FAILED/ { keep = 0 }
         /^Test Failed\./ { printf "%s", block }' "$build/Testing/Temporary/LastTest.log"
    return 1
}
