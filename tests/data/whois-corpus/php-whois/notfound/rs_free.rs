%ERROR:103: Domain is not registered
