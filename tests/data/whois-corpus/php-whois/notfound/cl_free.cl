free.cl: no existe
