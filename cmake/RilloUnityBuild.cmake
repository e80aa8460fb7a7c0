# Unity builds: the targets whose files all include a heavy header library
# (Qt, CLI11, pybind11, GoogleTest) compile several files as one translation
# unit, so the library's inline code is compiled once per batch instead of
# once per file; this halves a clean build. The Qt-free floors stay file by
# file: they build quickly, and their numeric helpers are best kept apart.
# Helpers in unnamed namespaces must therefore have names unique within
# their target. Turn it off to build and debug one file at a time.
option(RILLO_UNITY_BUILD "Compile the Qt, command-line, Python and GUI test targets in batches" ON)

function(rillo_unity_build target batch_size)
  if(RILLO_UNITY_BUILD)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${batch_size})
  endif()
endfunction()
