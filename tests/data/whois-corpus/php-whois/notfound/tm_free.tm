
Domain free.tm is available for purchase
Please visit http://www.nic.tm/ for more information


