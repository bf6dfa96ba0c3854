
   Domain name:
      GOOGLE.ML is Active

   Owner contact:
      Organization: Google Inc
      Name:         Mr DNS Admin
      Address:      1600 Amphitheatre Parkway
      Zipcode:      94043
      City:         Mountain View
      State:        California
      Country:      U.S.A.
      Phone:        +1-650-6234000
      Fax:          +1-650-6188571
      E-mail:       google@domainthenet.net

   Admin contact:
      Organization: Google Inc
      Name:         Mr DNS Admin
      Address:      1600 Amphitheatre Parkway
      Zipcode:      94043
      City:         Mountain View
      State:        California
      Country:      U.S.A.
      Phone:        +1-650-6234000
      Fax:          +1-650-6188571
      E-mail:       google@domainthenet.net

   Billing contact:
      Organization: Google Inc
      Name:         Mr DNS Admin
      Address:      1600 Amphitheatre Parkway
      Zipcode:      94043
      City:         Mountain View
      State:        California
      Country:      U.S.A.
      Phone:        +1-650-6234000
      Fax:          +1-650-6188571
      E-mail:       google@domainthenet.net

   Tech contact:
      Organization: Google Inc
      Name:         Mr DNS Admin
      Address:      1600 Amphitheatre Parkway
      Zipcode:      94043
      City:         Mountain View
      State:        California
      Country:      U.S.A.
      Phone:        +1-650-6234000
      Fax:          +1-650-6188571
      E-mail:       google@domainthenet.net

   Domain Nameservers:
      ns1.google.com
      ns2.google.com
      ns3.google.com
      ns4.google.com


   Domain registered: 03/25/2013
   Record will expire on: 06/25/2018
   Record maintained by: Point ML Domain Registry

