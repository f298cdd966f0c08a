add_compile_options(-Wall -Wextra -Wshadow -Wformat=2)
