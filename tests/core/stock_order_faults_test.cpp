// Every booking and every write of an order operation under a fault at each I/O call (an I/O error, a full
// disk, a crash): after a restart the stock files are byte for byte as before or as after, a booking reported
// done is durable, a failure that did not stop the writes changed nothing, and the current order held in
// memory is the booked one only when the booking was reported done.
#include <gtest/gtest.h>

#include <functional>

#include "base/io_error.h"

#include "stock/direct_order.h"
#include "stock/orders.h"
#include "tests/core/order_test_world.h"

namespace kvx {
namespace {

using test::OrderWorld;
using test::StockArticle;

struct FaultCase {
    const char* name;
    std::function<void(OrderWorld&)> setup;
    std::function<bool(OrderWorld&)> run;
    // The document held in memory that a failed write must leave as it was.
    enum class Held { Order, Direct, None } held = Held::Order;
};

const BookingDocument* heldDocument(const FaultCase& fc, const OrderWorld& w) {
    switch (fc.held) {
        case FaultCase::Held::Order:
            return &w.order;
        case FaultCase::Held::Direct:
            return &w.direct;
        case FaultCase::Held::None:
            break;
    }
    return nullptr;
}

void sweep(const FaultCase& fc) {
    SCOPED_TRACE(fc.name);
    std::map<std::string, std::string> before, after;
    {
        OrderWorld w;
        fc.setup(w);
        w.open();
        before = w.snapshot();
        ASSERT_TRUE(fc.run(w)) << (w.ui.log.empty() ? "" : w.ui.log.back());
        after = w.snapshot();
        ASSERT_NE(before, after);
    }
    for (FaultKind kind : {FaultKind::IoError, FaultKind::DiskFull, FaultKind::Crash}) {
        for (long n = 1;; ++n) {
            const std::string where = "kind " + std::to_string(static_cast<int>(kind)) + " call " + std::to_string(n);
            OrderWorld w;
            fc.setup(w);
            w.open(true);
            const BookingDocument* document = heldDocument(fc, w);
            const BookingDocument held = document ? *document : BookingDocument{};
            w.faulty->failAt(n, kind);
            bool ok = false;
            std::vector<std::string> errors;
            try {
                ok = fc.run(w);
            } catch (const IoError& e) {
                // A failed read ends the command with the run-time error before anything was written.
                errors.push_back(e.what());
            }
            const bool reached = w.faulty->calls() >= n;
            w.faulty->dropUnsyncedWrites();
            const bool stopped = w.session->writesStopped();
            if (!ok) {
                for (const std::string& e : w.ui.linesStartingWith("error[")) errors.push_back(e);
                ASSERT_EQ(errors.size(), 1u) << where;
                EXPECT_TRUE(errors[0].find("I/O error 5") != std::string::npos ||
                            errors[0].find("Disk full") != std::string::npos)
                    << where << ": " << errors[0];
                if (document) {
                    EXPECT_EQ(*document, held) << "a failed write changed the document in memory, " << where;
                }
            }
            w.session.reset();
            StockSession restart(w.ram, w.clock, w.settings, w.catalogue, "meinart");
            EXPECT_TRUE(restart.open().empty()) << where;
            const std::map<std::string, std::string> now = w.snapshot();
            ASSERT_TRUE(now == before || now == after) << where;
            if (ok) {
                EXPECT_TRUE(now == after) << "reported done but lost, " << where;
            } else if (!stopped) {
                EXPECT_TRUE(now == before) << "failed without stopping, yet changed, " << where;
            }
            if (!reached) {
                EXPECT_TRUE(ok) << where;
                break;
            }
        }
    }
}

void orderedWorld(OrderWorld& w) {
    w.putMyArticles({{1}, {2, 5, 0, 3, 4}});
    BookingDocument d = w.orderOf({{1, 10}, {0, 2}}, 1);
    d.bookedDate = 1261205;
    w.putOrders({w.orderOf({{0, 1}}), d});
}

void inWorkWorld(OrderWorld& w) {
    w.putMyArticles({{1}, {2, 0, 20, 0, 4}});
    w.putOrders({w.orderOf({{1, 10}, {0, 2}})});
}

TEST(OrderFaults, BookingOut) {
    sweep({"booking out", inWorkWorld, [](OrderWorld& w) {
               OrderContext c = w.context();
               w.ui.answers = {true, std::int32_t{1261210}};
               return bookOrderOut(c, w.ref());
           }});
}

TEST(OrderFaults, GoodsReceipt) {
    sweep({"booked at once", orderedWorld, [](OrderWorld& w) {
               OrderContext c = w.context();
               w.ui.answers = {std::int32_t{1261209}, false};
               return startGoodsReceipt(c, w.ref()) == ReceiptStart::Booked;
           }});
    sweep({"booked in the goods receipt view", orderedWorld,
           [](OrderWorld& w) {
               OrderContext c = w.context();
               w.ui.answers = {std::int32_t{1261209}, true, std::int32_t{7}};
               if (startGoodsReceipt(c, w.ref()) != ReceiptStart::OpenView) return false;
               if (!enterDeliveredQuantity(c, w.ref(), 0)) return false;
               const BookingDocument edited = w.order;
               const bool booked = bookGoodsReceipt(c, w.ref());
               if (!booked) {
                   EXPECT_EQ(w.order, edited) << "a failed booking keeps the edited receipt in the view";
                   EXPECT_TRUE(w.changed);
               }
               return booked;
           },
           FaultCase::Held::None});
}

TEST(OrderFaults, OrdersMadeAndWritten) {
    sweep({"new order", inWorkWorld, [](OrderWorld& w) {
               OrderContext c = w.context();
               w.ui.answers = {true};
               return newOrder(c, w.ref());
           }});
    sweep({"automatic order", inWorkWorld, [](OrderWorld& w) {
               OrderContext c = w.context();
               w.ui.answers = {true};
               return automaticOrder(c, w.ref(), nullptr) == AutomaticOrderResult::Created;
           }});
    sweep({"recomputed order", orderedWorld,
           [](OrderWorld& w) {
               OrderContext c = w.context();
               w.order.positions[0].grossTotal = 1;  // a stale total the recomputation mends
               recomputeOrder(c, w.ref());
               return !w.changed;
           },
           FaultCase::Held::None});
}

void directWorld(OrderWorld& w) {
    w.putMyArticles({{1}});
    BookingDocument d = BookingDocument::initialised(1261201);
    d.directOrder = 1;
    ASSERT_TRUE(addCataloguePosition(d, 2, w.catalogue.articles().read(2)));
    const Bytes b = d.encode();
    w.ram.put("dirbest.dat", std::string(b.begin(), b.end()));
}

TEST(OrderFaults, DirectOrder) {
    sweep({"reset", directWorld,
           [](OrderWorld& w) {
               OrderContext c = w.context();
               w.ui.answers = {true};
               return resetDirectOrder(c, w.directRef());
           },
           FaultCase::Held::Direct});
    sweep({"written back", directWorld,
           [](OrderWorld& w) {
               OrderContext c = w.context();
               w.ui.answers = {true, std::int32_t{4}};
               // The position is added in memory; only the write-back may fail.
               if (!orderArticleDirectly(c, w.catalogue, w.directRef(), 5)) return false;
               const BookingDocument held = w.direct;
               const bool ok = saveDirectOrder(c, w.directRef());
               EXPECT_EQ(w.direct, held);
               EXPECT_EQ(w.directChanged, !ok) << "a failed write-back keeps the change for the next one";
               return ok;
           },
           FaultCase::Held::None});
}

}  // namespace
}  // namespace kvx
