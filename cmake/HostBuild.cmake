# Portable code is checked with AddressSanitizer and UndefinedBehaviorSanitizer.
option(INSTALL_TOOL_SANITIZE "Build host code with ASan and UBSan" ON)
if(INSTALL_TOOL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
