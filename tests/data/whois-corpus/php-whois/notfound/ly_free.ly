Not found
