No match for "free.ws".


