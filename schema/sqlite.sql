-- The base tables of Staymark's embedded SQLite database.
-- The build makes data.db from this file where none exists; the program never creates,
-- alters or seeds these tables. Text compares without regard to case, as in the Access file.

CREATE TABLE tbl_customers (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    cTitle TEXT COLLATE NOCASE,
    cFirstName TEXT COLLATE NOCASE,
    cLastName TEXT COLLATE NOCASE,
    cAddress TEXT COLLATE NOCASE,
    cPhone TEXT COLLATE NOCASE,
    cNoOfAdults INTEGER,
    cNoOfMinors INTEGER,
    cCheckInDate DATE,
    cCheckOutDate DATE,
    cNoOfDays INTEGER,
    cRoomsRate DECIMAL(19,4),
    cTax DECIMAL(19,4),
    cGrandTotal DECIMAL(19,4),
    cAdvancePaid DECIMAL(19,4),
    cDue DECIMAL(19,4),
    cPaymentMethod TEXT COLLATE NOCASE,
    cPaymentMethodDetails TEXT COLLATE NOCASE,
    cRoomNameID TEXT COLLATE NOCASE,
    cRoomNamePrice TEXT COLLATE NOCASE,
    cAdditionalNote TEXT COLLATE NOCASE,
    cUniqueNo TEXT COLLATE NOCASE,
    cStatus TEXT COLLATE NOCASE
);
CREATE INDEX tbl_customers_cUniqueNo ON tbl_customers (cUniqueNo);

-- Removed bookings, copied whole (their ID included) before the removal.
CREATE TABLE tbl_customers_history (
    ID INTEGER NOT NULL,
    cTitle TEXT COLLATE NOCASE,
    cFirstName TEXT COLLATE NOCASE,
    cLastName TEXT COLLATE NOCASE,
    cAddress TEXT COLLATE NOCASE,
    cPhone TEXT COLLATE NOCASE,
    cNoOfAdults INTEGER,
    cNoOfMinors INTEGER,
    cCheckInDate DATE,
    cCheckOutDate DATE,
    cNoOfDays INTEGER,
    cRoomsRate DECIMAL(19,4),
    cTax DECIMAL(19,4),
    cGrandTotal DECIMAL(19,4),
    cAdvancePaid DECIMAL(19,4),
    cDue DECIMAL(19,4),
    cPaymentMethod TEXT COLLATE NOCASE,
    cPaymentMethodDetails TEXT COLLATE NOCASE,
    cRoomNameID TEXT COLLATE NOCASE,
    cRoomNamePrice TEXT COLLATE NOCASE,
    cAdditionalNote TEXT COLLATE NOCASE,
    cUniqueNo TEXT COLLATE NOCASE,
    cStatus TEXT COLLATE NOCASE
);
CREATE INDEX tbl_customers_history_ID ON tbl_customers_history (ID);

-- One row per day at most.
CREATE TABLE tbl_revenueStats (
    tDate DATE NOT NULL DEFAULT (date('now', 'localtime')) UNIQUE,
    tRevenue DECIMAL(19,4) NOT NULL DEFAULT 0,
    tBookingRevenue DECIMAL(19,4) NOT NULL DEFAULT 0,
    tFoodDrinkRevenue DECIMAL(19,4) NOT NULL DEFAULT 0,
    tBookings INTEGER NOT NULL DEFAULT 0,
    tFoodOrders INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tbl_logTable (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    LogText TEXT COLLATE NOCASE,
    LoggedUser TEXT COLLATE NOCASE,
    LogKey TEXT COLLATE NOCASE,
    LogDateLine DATETIME DEFAULT (datetime('now', 'localtime'))
);

CREATE TABLE tbl_Rooms (
    RoomID INTEGER PRIMARY KEY AUTOINCREMENT,
    RoomNameID TEXT COLLATE NOCASE,
    Description TEXT COLLATE NOCASE,
    RoomType TEXT COLLATE NOCASE,
    RoomPrice DECIMAL(19,4)
);

CREATE TABLE tbl_Tax (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    TaxName TEXT COLLATE NOCASE,
    TaxRate REAL,
    TaxCat INTEGER
);

CREATE TABLE tbl_users (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    cusername TEXT COLLATE NOCASE,
    cpassword TEXT COLLATE NOCASE,
    cmodifysettings INTEGER DEFAULT 0,
    croomlist INTEGER DEFAULT 0,
    cmodifytax INTEGER DEFAULT 0,
    canViewReport INTEGER DEFAULT 0,
    ccustomerviewedit INTEGER DEFAULT 0,
    cusertype INTEGER DEFAULT 0
);

CREATE TABLE tbl_foodCat (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    catName TEXT COLLATE NOCASE
);

CREATE TABLE tbl_FoodItem (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    ItemName TEXT COLLATE NOCASE,
    ItemPrice DECIMAL(19,4),
    ItemNote TEXT COLLATE NOCASE,
    ItemCat INTEGER
);

CREATE TABLE tbl_HotelInfo (
    ID INTEGER PRIMARY KEY,
    HotelName TEXT COLLATE NOCASE,
    HotelPhoneNo TEXT COLLATE NOCASE,
    HotelFaxNo TEXT COLLATE NOCASE,
    HotelAddress TEXT COLLATE NOCASE,
    AddOrderSign INTEGER DEFAULT 0
);
INSERT INTO tbl_HotelInfo (ID, HotelName, HotelPhoneNo, HotelFaxNo, HotelAddress, AddOrderSign)
    VALUES (1, '', '', '', '', 0);

CREATE TABLE tbl_FoodOrders (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    OrderNo TEXT COLLATE NOCASE,
    FoodOrderID TEXT COLLATE NOCASE,
    CustomerTitle TEXT COLLATE NOCASE,
    CustomerFName TEXT COLLATE NOCASE,
    CustomreLName TEXT COLLATE NOCASE,
    TotalPrice DECIMAL(19,4),
    Status TEXT COLLATE NOCASE,
    Dateline DATE DEFAULT (date('now', 'localtime'))
);
